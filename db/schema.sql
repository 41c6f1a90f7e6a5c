-- The handbook's schema: SQL dialect 1, default character set WIN1251, page size 8192.
-- handbook-makedb runs it statement by statement and commits each one.
--
-- Splitting: a statement ends at the end of a line that ends with the terminator, which is ";"
-- until a "set term" line changes it (as in isql: "set term ^ ;" ... "set term ; ^"). Lines that
-- start with "--" are comments. In dialect 1 double quotes delimit string literals.

create table SECTIONS (
  SECTION_UID integer not null primary key,
  SECTION_NAME varchar(250) collate PXW_CYRL
);

-- EUPH_UID: the producer's number, or one from GEN_EUPH_UID for rows created locally. Local keys
-- start at 1000000000, above any the producer gives: the maker and the program raise the generator
-- there (store/LocalKeyRange.h), since an update matches terms by key alone.
-- DESCRIPTION: the article body, a text blob.
-- CHANGED: "*" created locally, "+" edited locally, empty or NULL in step with the producer.
create table EUPHEMIZMS (
  EUPH_UID integer not null primary key,
  EUPHEMIZM varchar(250) collate PXW_CYRL,
  ETIOLOGY varchar(2000) collate PXW_CYRL,
  DESCRIPTION blob sub_type text,
  SECTION_UID integer not null,
  CHANGED varchar(1)
);

-- Listing a section in headword order walks this index.
create index EUPHEMIZMS_SECTION_TERM on EUPHEMIZMS (SECTION_UID, EUPHEMIZM);

create generator GEN_EUPH_UID;

set term ^ ;
create trigger EUPHEMIZMS_NEW_KEY for EUPHEMIZMS
active before insert position 0
as
begin
  if (new.EUPH_UID is null) then
    new.EUPH_UID = gen_id(GEN_EUPH_UID, 1);
end^
set term ; ^
